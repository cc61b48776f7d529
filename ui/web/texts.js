// The page's own fixed texts, in one place. The calculator's notices and
// captions come from the module (the window description and the core).
export const TEXTS = Object.freeze({
  BROWSER_TOO_OLD: 'Taruk杀伤计算器无法在此浏览器中运行：浏览器版本太旧，'
    + '不支持本页所需的 WebAssembly。请升级浏览器（例如 Safari 16 及以上）后重新打开本页。',
  FILE_FAILED: (file) => `Taruk杀伤计算器未能载入文件 ${file}。请检查网络连接后重新打开本页。`,
  FILES_DIFFER: 'Taruk杀伤计算器的文件来自不同的版本（网站可能正在更新）。请稍后重新打开本页。',
  START_FAILED: 'Taruk杀伤计算器未能启动。请重新打开本页。',
  CALL_FAILED: '计算器内部出错，刚才的操作没有完成；各项数值已保留，可以继续输入。',
});
