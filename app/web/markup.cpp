// Writes the page and its style sheet (ui/web's WindowMarkup): index.html
// with the window and the fixed texts filled in, and calculator.css, the
// page's own sheet with the generated rules and the phone's (phone.css.in).
// Built by the web build and run under node at build time; app/web/site.cmake
// puts both into the site.
#include "ui/web/WindowMarkup.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

std::string read(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return text;
}

void write(const std::string &path, const std::string &text)
{
    if (!(std::ofstream(path, std::ios::binary) << text).flush())
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fputs("usage: markup INDEX_HTML CALCULATOR_CSS PHONE_CSS_IN OUT_DIR\n", stderr);
        return 2;
    }
    namespace M = taruk::web::WindowMarkup;
    const std::string dir = std::string(argv[4]) + '/';
    try {
        write(dir + "index.html", M::page(read(argv[1])));
        write(dir + "calculator.css", M::css(read(argv[2]), read(argv[3])));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "markup: %s\n", error.what());
        return 1;
    }
    return 0;
}
