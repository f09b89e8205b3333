#!/bin/sh
# Checks Play.dll's export table: library name "Play.dll", exactly one export,
# ordinal 1, named by the GBK bytes C6 F4 B6 AF B2 A5 B7 C5.
# Usage: CheckExportTable.sh <objdump> <Play.dll>
set -eu
# Byte-wise: the name is GBK, which a UTF-8 locale would take for binary data.
export LC_ALL=C
dump=$("$1" -p "$2")
fail() { printf '%s\n' "$dump" | sed -n '/The Export Tables/,/^$/p;/Ordinal\/Name Pointer/,/^$/p'; echo "FAILED: $1"; exit 1; }
has() { printf '%s\n' "$dump" | grep -q "$1"; }
has '^Name[[:space:]]*[0-9a-f]* Play\.dll$' || fail "library name"
has '^Ordinal Base[[:space:]]*1$' || fail "ordinal base"
has '^[[:space:]]*Export Address Table[[:space:]]*00000001$' || fail "one address"
has '^[[:space:]]*\[Name Pointer/Ordinal\] Table[[:space:]]*00000001$' || fail "one name"
has '^[[:space:]]*\[   0\] +base\[   1\] ' || fail "ordinal 1"
name=$(printf '\306\364\266\257\262\245\267\305')
has "^[[:space:]]*\[   0\] $name\$" || fail "the GBK name"
echo "one export, ordinal 1, GBK name, library Play.dll"
