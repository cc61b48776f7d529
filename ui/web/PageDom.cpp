#include "ui/web/PageDom.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

// The JavaScript side: Module.page is the object calculator.js makes and
// passes to the module's factory. Strings cross as UTF-8, NUL-terminated.

// clang-format off
// A text may hold U+0000 (pasted), so its length travels beside it. Without
// a box, the text the current change reported.
EM_JS(char *, taruk_page_text, (const char *box, int *length), {
    const text = box ? Module.page.text(UTF8ToString(box)) : Module.page.reportedText();
    const size = lengthBytesUTF8(text);
    const copy = _malloc(size + 1);
    // Memory grows with need; past what the browser gives, the call fails.
    if (!copy) throw new RangeError("no memory for " + size + " bytes of text");
    stringToUTF8(text, copy, size + 1);
    HEAP32[length >> 2] = size;
    return copy;
});
EM_JS(void, taruk_page_set_text, (const char *box, const char *text), {
    Module.page.setText(UTF8ToString(box), UTF8ToString(text));
});
// The module resumes however the notice ends: a rejected promise would leave
// it, and every call queued after it, waiting for ever.
EM_ASYNC_JS(void, taruk_page_show_notice, (const char *caption, const char *message), {
    try {
        await Module.page.showNotice(UTF8ToString(caption), UTF8ToString(message));
    } catch (error) {
        console.error(error);
    }
});
// clang-format on

namespace taruk::web::PageDom {

namespace {

std::string copyOut(const char *box)
{
    int length = 0;
    char *copy = taruk_page_text(box, &length);
    std::string result(copy, static_cast<std::size_t>(length));
    std::free(copy);
    return result;
}

} // namespace

std::string text(FieldId id) { return copyOut(std::string(fieldName(id)).c_str()); }

std::string reportedText() { return copyOut(nullptr); }

void setText(FieldId id, std::string_view text)
{
    taruk_page_set_text(std::string(fieldName(id)).c_str(), std::string(text).c_str());
}

void showNotice(std::string_view caption, std::string_view message)
{
    taruk_page_show_notice(std::string(caption).c_str(), std::string(message).c_str());
}

} // namespace taruk::web::PageDom
