#!/bin/sh
# make-delaylib.sh NM DLLTOOL AR IMPORT_LIB DLL_NAME WORK_DIR OUTPUT AS KEEP_OBJECT
# Writes a delay-load import library for DLL_NAME that answers for every function of mingw's
# ordinary import library IMPORT_LIB: the function list (with its stdcall decorations) comes
# from that library, so any function the program or a dependency uses is covered, and the
# library can stand in for the ordinary one wherever the linker meets "-l<name>". The loader
# helper (__delayLoadHelper2) comes with mingw's runtime (libmingwex). Members of the import
# library that are not import stubs (gdiplus's GUIDs and helpers) are copied over unchanged.
# It also writes KEEP_OBJECT, to be linked into the program: it names every function's stub.
# The linker drops the code of an import member whose stub nobody calls by name, and a program
# that calls through __imp_ pointers (every dllimport declaration does) would then find the
# pointer aimed at nothing: a delay-load pointer must start out at that very code.
set -eu
nm=$1 dlltool=$2 ar=$3 implib=$4 dll=$5 work=$6 out=$7 as=$8 keep=$9
mkdir -p "$work"
def="$work/$(basename "$out" .a).def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  "$nm" "$implib" | sed -n 's/^[0-9a-f]* T _\([A-Za-z_][A-Za-z0-9_@]*\)$/\1/p' | sort -u
} > "$def.tmp"
mv "$def.tmp" "$def"
rm -f "$out"
"$dlltool" --kill-at --input-def "$def" --dllname "$dll" --output-delaylib "$out"
extra=$("$ar" t "$implib" | grep -Ev '^lib.*(s[0-9]+|h|t)\.o$' || true)
if [ -n "$extra" ]; then
  dir="$work/extra-$(basename "$out" .a)"
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && "$ar" x "$implib" $extra)
  (cd "$dir" && "$ar" rs "$out" $extra)
  rm -rf "$dir"
fi

keep_src="$work/$(basename "$keep" .o).s"
{
  echo '.section .rdata$zdelaykeep,"dr"'
  sed -n '3,$s/^\([A-Za-z_][A-Za-z0-9_@]*\)$/.long _\1/p' "$def"
} > "$keep_src.tmp"
mv "$keep_src.tmp" "$keep_src"
"$as" --32 -o "$keep" "$keep_src"
