#include "ui/web/PageDom.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

// The JavaScript side: Module.page is the object calculator.js passes to the
// module's factory. Strings cross as UTF-8, NUL-terminated.

// clang-format off
EM_JS(void, taruk_page_set_window, (const char *title, double width, double height), {
    Module.page.setWindow({title: UTF8ToString(title), width, height});
});
EM_JS(void, taruk_page_add_control,
      (const char *kind, const char *name, const char *container, const char *caption,
       const char *labelledBox, double left, double top, double width, double height,
       int tabIndex, int readOnly), {
    Module.page.addControl({
        kind: UTF8ToString(kind), name: UTF8ToString(name),
        container: UTF8ToString(container), caption: UTF8ToString(caption),
        labelledBox: UTF8ToString(labelledBox), left, top, width, height, tabIndex,
        readOnly: readOnly !== 0,
    });
});
EM_JS(void, taruk_page_style_result, (const char *box, const char *light, const char *dark), {
    Module.page.styleResult(UTF8ToString(box), UTF8ToString(light), UTF8ToString(dark));
});
EM_JS(void, taruk_page_focus, (const char *control), {
    Module.page.focus(UTF8ToString(control));
});
// A text may hold U+0000 (pasted), so its length travels beside it.
EM_JS(char *, taruk_page_text, (const char *box, int *length), {
    const text = Module.page.text(UTF8ToString(box));
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

namespace {

const char *kindName(taruk::ControlSpec::Kind kind)
{
    switch (kind) {
    case taruk::ControlSpec::Kind::GroupBox:
        return "group";
    case taruk::ControlSpec::Kind::Label:
        return "label";
    case taruk::ControlSpec::Kind::TextBox:
        return "box";
    case taruk::ControlSpec::Kind::Button:
        return "button";
    }
    return "";
}

std::string css(taruk::Rgb c)
{
    return "rgb(" + std::to_string(c.red) + ' ' + std::to_string(c.green) + ' ' +
           std::to_string(c.blue) + ')';
}

} // namespace

namespace taruk::web::PageDom {

void setWindow(std::string_view title, double width, double height)
{
    taruk_page_set_window(std::string(title).c_str(), width, height);
}

void addControl(const ControlSpec &spec, std::string_view labelledBox, double left, double top,
                double width, double height, bool readOnly)
{
    taruk_page_add_control(kindName(spec.kind), std::string(spec.name).c_str(),
                           std::string(spec.container).c_str(), std::string(spec.caption).c_str(),
                           std::string(labelledBox).c_str(), left, top, width, height,
                           spec.tabIndex, readOnly ? 1 : 0);
}

void styleResult(std::string_view box, Rgb light, Rgb dark)
{
    taruk_page_style_result(std::string(box).c_str(), css(light).c_str(), css(dark).c_str());
}

void focus(std::string_view control) { taruk_page_focus(std::string(control).c_str()); }

std::string text(FieldId id)
{
    int length = 0;
    char *copy = taruk_page_text(std::string(fieldName(id)).c_str(), &length);
    std::string result(copy, static_cast<std::size_t>(length));
    std::free(copy);
    return result;
}

void setText(FieldId id, std::string_view text)
{
    taruk_page_set_text(std::string(fieldName(id)).c_str(), std::string(text).c_str());
}

void showNotice(std::string_view caption, std::string_view message)
{
    taruk_page_show_notice(std::string(caption).c_str(), std::string(message).c_str());
}

} // namespace taruk::web::PageDom
