#pragma once
// The quoted-field reader of the list files (Contact.txt, banner.txt).
//
// A list file is a sequence of fields; records are formed by taking the fields in turn,
// whatever line they stand on (seven per contact, one per banner). The rules, on the raw
// Windows-1252 bytes:
//   - Leading spaces (0x20 only) before a field are skipped.
//   - A field that begins with a double quote runs to the next double quote (line ends
//     included); the rest, up to the next comma or line end, is skipped. A quote that is never
//     closed runs to the end of the file.
//   - Any other field runs to the next comma or line end, without its trailing spaces.
//   - A line end is CR LF, a lone CR or a lone LF; it ends a field like a comma does and is
//     consumed with it. A blank line is therefore an empty field.
//   - End of the file: reading stops as soon as nothing but spaces and line ends remains after
//     a field's delimiter. So an empty file has no fields, a final CR LF (or several, or trailing
//     blank lines) adds no field, and a last line without CR LF still gives its fields.
//     A comma always promises one more field: "a," at the end of a file is "a" and "".
// Nothing is escaped: a field cannot hold a double quote after its opening one.

#include <string>
#include <string_view>
#include <vector>

namespace tessivo::lists {

// Splits list-file bytes into fields by the rules above. Fields come back as the bytes of the
// file (Windows-1252), unconverted. Linear in the input size; every input gives a result.
std::vector<std::string> ReadFields(std::string_view bytes);

}  // namespace tessivo::lists
