# Sourced, not run: which Wine runs the Windows tests on this machine.
# Decided by trying, not by the kernel's version: some 64-bit kernels run no
# 32-bit program ("32-bit emulation disabled"), and 32-bit Wine with them.

# True when this machine runs a 32-bit x86 Linux program: a 96-byte ELF whose
# whole code is "mov ebx, 42; mov eax, 1; int 0x80" (exit with 42). It is
# written into the given folder, where the project's programs run too (a
# /tmp mounted noexec would refuse any program).
runs_32bit_programs() { # folder
    local probe status=0
    probe=$(mktemp "$1/.taruk-i386-probe.XXXXXX")
    local elf=
    elf+='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    elf+='\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
    elf+='\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00'
    elf+='\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00'
    elf+='\x00\x10\x00\x00\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80'
    printf "$elf" >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" = 42 ]
}

# The 32-bit Wine loader that wine32 installs; Debian's "wine" wrapper takes
# it whenever it is there, even where it cannot run, so the 64-bit loader is
# called by its own name.
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

# The WINEARCH a Windows program needs: win64 for PE32+, else win32.
wine_arch_of() { # program.exe
    case $(file -b "$1") in
    PE32+*) echo win64 ;;
    *) echo win32 ;;
    esac
}

# The Wine loader for a WINEARCH.
wine_loader_for() { # win32 | win64
    if [ "$1" = win64 ]; then echo "$wine64_loader"; else echo wine; fi
}

# Sets wine_bits (32 or 64) and wine_why, the reason in a few words.
# TARUK_WINE_BITS=64 takes the 64-bit Wine on any machine.
choose_wine() { # folder for the probe
    if [ "${TARUK_WINE_BITS:-}" = 64 ]; then
        wine_bits=64 wine_why="TARUK_WINE_BITS=64 asks for it"
    elif ! runs_32bit_programs "$1"; then
        wine_bits=64 wine_why="this machine cannot run 32-bit programs"
    elif [ ! -x "$wine32_loader" ]; then
        wine_bits=64 wine_why="wine32 is not installed"
    else
        wine_bits=32 wine_why="this machine runs 32-bit programs and wine32 is installed"
    fi
}
