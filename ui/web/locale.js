// The decimal mark of the user's languages, as the browser lists them (the
// default locale of Intl can be another, e.g. en-US in headless Chromium).
// A tag Intl rejects is skipped (WebKit under LANG=C lists 'C'); with none
// left, the mark is '.'.
export function decimalMark(languages) {
  const valid = [...languages].filter((tag) => {
    try {
      return Intl.getCanonicalLocales(tag).length === 1;
    } catch {
      return false;
    }
  });
  if (valid.length === 0) return '.';
  try {
    const format = new Intl.NumberFormat(valid);
    const part = format.formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  } catch {
    return '.';
  }
}
