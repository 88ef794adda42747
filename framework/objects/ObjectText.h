#pragma once
// The text form of the object stream, as form files are written:
//
//   object QVMain: TQVMain
//     Left = 282
//     Caption = 'Quorvik'#13#10'V5'
//     Font.Style = [fsBold]
//     Items.Strings = (
//       'first'
//       'second')
//     Picture.Data = {
//       0A0B0C}
//     Columns = <
//       item
//         Width = 40
//       end>
//     OnClick = mnuFileScanClick
//     object Changes: TListBox
//     end
//   end
//
// Integers are decimal (or "$" hexadecimal in input), floats always carry a
// "." or an exponent (and +INF, -INF, +NAN for the special values), strings
// are quoted with '' for a quote and #n for control characters, and long
// strings may continue with "+" on the next line. "inherited" or "inline"
// instead of "object", and "[n]" after the class name, stand for the
// object prefix flags.

#include <string>
#include <string_view>

class TStream;

// Binary ("TPF0") to text. Raises EReadError on damaged input.
void ObjectBinaryToText(TStream& Input, TStream& Output);
std::string ObjectBinaryToText(std::string_view Binary);

// Text to binary. Raises EParserError "Line n: ..." on malformed text.
void ObjectTextToBinary(TStream& Input, TStream& Output);
std::string ObjectTextToBinary(std::string_view Text);
