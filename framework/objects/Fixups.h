#pragma once
// Component references met while reading an object stream. A property may
// name a component that the stream holds further down, so references are
// collected and resolved once everything is read.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/objects/Classes.h"

// A component whose name is not owned by the reading root (a component of
// another form, "Form.Component") is looked up through this hook, which the
// application sets; without it such references stay unresolved.
using TFindGlobalComponent = std::function<TComponent*(std::string_view Name)>;
void SetFindGlobalComponent(TFindGlobalComponent Finder);
TComponent* FindGlobalComponent(std::string_view Name);

class TFixupList {
public:
  void Add(TPersistent* Instance, const TPropInfo& Prop, std::string Name);
  void Clear() { FFixups.clear(); }
  // Sets each collected property to the component it names: Root itself, one
  // Root owns, or one found through the global hook ("Form.Component" always
  // is). A name that finds nothing is left alone. A setter that refuses the
  // component goes to OnError; without a handler, or when it returns false,
  // EReadError is raised. The list is empty afterwards.
  void Resolve(TComponent* Root, const std::function<bool(const std::string& Message)>& OnError);

private:
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    std::string Name;
  };
  std::vector<TFixup> FFixups;
};
