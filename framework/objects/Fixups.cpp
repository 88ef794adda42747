#include "framework/objects/Fixups.h"

#include "framework/objects/SysUtils.h"

namespace {
TFindGlobalComponent& GlobalFinder()
{
  static TFindGlobalComponent finder;
  return finder;
}
}  // namespace

void SetFindGlobalComponent(TFindGlobalComponent Finder) { GlobalFinder() = std::move(Finder); }

TComponent* FindGlobalComponent(std::string_view Name) { return GlobalFinder() ? GlobalFinder()(Name) : nullptr; }

void TFixupList::Add(TPersistent* Instance, const TPropInfo& Prop, std::string Name)
{
  FFixups.push_back(TFixup{Instance, &Prop, std::move(Name)});
}

void TFixupList::Resolve(TComponent* Root, const std::function<bool(const std::string& Message)>& OnError)
{
  std::vector<TFixup> fixups;
  fixups.swap(FFixups);
  for (const TFixup& f : fixups) {
    TComponent* target = nullptr;
    const size_t dot = f.Name.find('.');
    if (dot != std::string::npos) {
      if (TComponent* form = FindGlobalComponent(f.Name.substr(0, dot)))
        target = form->FindComponent(f.Name.substr(dot + 1));
    } else if (Root && SameText(Root->Name(), f.Name)) {
      target = Root;
    } else {
      target = Root ? Root->FindComponent(f.Name) : nullptr;
      if (!target) target = FindGlobalComponent(f.Name);
    }
    // An unresolved reference is left alone, as a component of a form that
    // does not exist yet would be.
    if (!target) continue;
    try {
      SetObjectProp(*f.Instance, *f.Prop, target);
    } catch (const Exception& e) {
      if (!OnError || !OnError(e.what()))
        throw EReadError(std::string("Error reading ") + f.Prop->Name + ": " + e.what());
    }
  }
}
