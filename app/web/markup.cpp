// Writes the page and its style sheet (ui/web's WindowMarkup): index.html
// with the window and the fixed texts filled in, and calculator.css, the
// page's own sheet with the generated rules and the phone's (phone.css.in).
// Built by the web build and run under node at build time; app/web/site.cmake
// puts both into the site.
#include "ui/web/WindowMarkup.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool read(const char *path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in)
        std::fprintf(stderr, "markup: cannot read %s\n", path);
    return static_cast<bool>(in);
}

bool write(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        std::fprintf(stderr, "markup: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fputs("usage: markup INDEX_HTML CALCULATOR_CSS PHONE_CSS_IN OUT_DIR\n", stderr);
        return 2;
    }
    std::string page, sheet, phone;
    if (!read(argv[1], page) || !read(argv[2], sheet) || !read(argv[3], phone))
        return 1;
    const std::string dir = std::string(argv[4]) + '/';
    namespace M = taruk::web::WindowMarkup;
    if (!write(dir + "index.html", M::page(page)) ||
        !write(dir + "calculator.css", M::css(sheet, phone)))
        return 1;
    return 0;
}
