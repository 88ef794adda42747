#pragma once
// Form files: a window's design-time properties and components are kept as
// a text form file beside its code ("object QVMain: TQVMain ... end", see
// ObjectText.h), carried in the executable as a resource named after the
// form's class in capitals ("TQVMAIN"), and read into the form object when it
// is created, through the same reader as every other object stream: nested
// objects are created by class name and owned by the form, every component
// read is in the loading state (and reading, while its own properties are
// read), and Loaded is called on each afterwards in creation order.

#include <functional>
#include <string>
#include <string_view>

#include "framework/objects/Classes.h"

class TStream;

// Reads a form file in either form: binary when it starts with "TPF0",
// otherwise text. Raises EReadError / EParserError on damaged input.
void ReadForm(TComponent* Form, TStream& Stream);
void ReadFormText(TComponent* Form, std::string_view Text);
void ReadFormFile(TComponent* Form, const std::string& FileName);

// Where form resources come from. Registered texts are consulted first, then
// the finder (the Win32 layer installs one over the executable's resources).
using TFormResourceFinder = std::function<bool(const std::string& ResourceName, std::string& Data)>;
void SetFormResourceFinder(TFormResourceFinder Finder);
void RegisterFormResource(const std::string& ResourceName, std::string Data);
bool FindFormResource(const std::string& ResourceName, std::string& Data);
std::string FormResourceName(const TClassInfo& Class);

// Reads the resources of Form's class and of its ancestors below StopAt,
// the oldest ancestor first, so a derived form adds to its base form's
// resource. Returns false when none of them has a resource.
bool InitComponentFromResources(TComponent* Form, const TClassInfo& StopAt);
