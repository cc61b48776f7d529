// Writes the window's markup and its generated style sheet (ui/web's
// WindowMarkup), the phone's rules (phone.css.in) filled in, into two files
// for app/web/site.cmake to put into the page. Built by the web build and run
// under node at build time.
#include "ui/web/WindowMarkup.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool write(const char *path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text << '\n';
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fputs("usage: markup PHONE_CSS_IN WINDOW_HTML WINDOW_CSS\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string phone{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in) {
        std::fprintf(stderr, "markup: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!write(argv[2], taruk::web::WindowMarkup::html()) ||
        !write(argv[3], taruk::web::WindowMarkup::css(phone))) {
        std::fputs("markup: cannot write its files\n", stderr);
        return 1;
    }
    return 0;
}
