#!/bin/sh
# check-imports.sh OBJDUMP EXE
# Fails when EXE imports, at load time, a DLL that is not on the system's KnownDLLs list: the
# loader would look for such a DLL in the program's own folder first, and an installer that
# runs elevated from a download folder would load whatever was planted there. DLLs loaded on
# first use (delay-load) are fine: the program limits the search to System32 before any runs.
# Also fails when no import table is found: then the check saw the wrong file. (mingw's linker
# leaves the delay-load directory entry empty, so objdump cannot list the delay-loaded DLLs.)
set -eu
objdump=$1 exe=$2
known="advapi32 clbcatq combase comdlg32 coml2 gdi32 gdi32full imm32 kernel32 kernelbase msctf msvcrt \
normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32 ws2_32"
dump=$("$objdump" -p "$exe")
static=$(printf '%s\n' "$dump" | sed -n '/^The Import Tables/,/^The .* section:$/s/^[[:space:]]*DLL Name: //p')
bad=0
for dll in $static; do
  name=$(printf '%s' "$dll" | tr 'A-Z' 'a-z' | sed 's/\.dll$//')
  case " $known " in
    *" $name "*) echo "static:  $dll" ;;
    *) echo "NOT A KNOWNDLL, imported at load time: $dll"; bad=1 ;;
  esac
done
if [ -z "$static" ]; then echo "no import table found"; bad=1; fi
[ $bad -eq 0 ] && echo "imports OK"
exit $bad
