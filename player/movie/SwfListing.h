// A readable listing of a SWF file: header fields, tag records and the disassembled scripts.
#pragma once
#include <string>

namespace movie {

// One line for the header, one per tag (name, length, body bytes in hex for
// short bodies), and the script of each DoAction tag in the assembler's
// notation. A file that cannot be read lists what was read and the reason.
std::string SwfListing(const std::string& file);

// The name of a tag code ("DoAction"), or "Tag<code>" for codes not known here.
std::string TagName(unsigned code);

}  // namespace movie
