#include "framework/objects/FormFile.h"

#include <cstring>
#include <map>
#include <vector>

#include "framework/objects/Reader.h"
#include "framework/objects/ObjectText.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

namespace {
std::map<std::string, std::string>& Registered()
{
  static std::map<std::string, std::string> resources;
  return resources;
}

TFormResourceFinder& Finder()
{
  static TFormResourceFinder finder;
  return finder;
}

void ReadBinary(TComponent* Form, const std::string& Binary)
{
  TReadOnlyMemoryStream stream(Binary.data(), static_cast<int64_t>(Binary.size()));
  ReadComponentFromStream(stream, Form);
}

void ReadFormData(TComponent* Form, const std::string& Data)
{
  if (Data.size() >= 4 && std::memcmp(Data.data(), "TPF0", 4) == 0)
    ReadBinary(Form, Data);
  else
    ReadBinary(Form, ObjectTextToBinary(Data));
}
}  // namespace

void ReadForm(TComponent* Form, TStream& Stream)
{
  std::string data(static_cast<size_t>(Stream.Remaining()), '\0');
  Stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
  ReadFormData(Form, data);
}

void ReadFormText(TComponent* Form, std::string_view Text) { ReadBinary(Form, ObjectTextToBinary(Text)); }

void ReadFormFile(TComponent* Form, const std::string& FileName)
{
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  ReadForm(Form, stream);
}

void SetFormResourceFinder(TFormResourceFinder NewFinder) { Finder() = std::move(NewFinder); }

void RegisterFormResource(const std::string& ResourceName, std::string Data)
{
  Registered()[UpperCase(ResourceName)] = std::move(Data);
}

bool FindFormResource(const std::string& ResourceName, std::string& Data)
{
  auto it = Registered().find(UpperCase(ResourceName));
  if (it != Registered().end()) {
    Data = it->second;
    return true;
  }
  return Finder() && Finder()(UpperCase(ResourceName), Data);
}

std::string FormResourceName(const TClassInfo& Class) { return UpperCase(Class.ClassName); }

bool InitComponentFromResources(TComponent* Form, const TClassInfo& StopAt)
{
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &Form->ClassInfo(); c && c != &StopAt; c = c->Parent) chain.push_back(c);
  bool found = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    std::string data;
    if (!FindFormResource(FormResourceName(**it), data)) continue;
    ReadFormData(Form, data);
    found = true;
  }
  return found;
}
