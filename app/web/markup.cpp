// Writes the window's markup and its generated style sheet (ui/web's
// WindowMarkup) into two files, for app/web/site.cmake to put into the page.
// Built by the web build and run under node at build time.
#include "ui/web/WindowMarkup.h"

#include <cstdio>
#include <fstream>
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
    if (argc != 3) {
        std::fputs("usage: markup WINDOW_HTML WINDOW_CSS\n", stderr);
        return 2;
    }
    if (!write(argv[1], taruk::web::WindowMarkup::html()) ||
        !write(argv[2], taruk::web::WindowMarkup::css())) {
        std::fputs("markup: cannot write its files\n", stderr);
        return 1;
    }
    return 0;
}
