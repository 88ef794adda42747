#include "framework/controls/ObjectInstance.h"

#include <array>
#include <utility>

namespace {
constexpr size_t kInstances = 256;

struct TInstance {
  TWndMethod Method;
  bool Used = false;
};
std::array<TInstance, kInstances>& Instances()
{
  static std::array<TInstance, kInstances> table;
  return table;
}
// Hands out slots round-robin, so a slot just given back is the last to be
// reused: a stale procedure left on some window then rarely reaches a stranger.
size_t nextSlot = 0;

LRESULT CallInstance(size_t Slot, HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  TInstance& instance = Instances()[Slot];
  if (!instance.Used || !instance.Method) return DefWindowProcA(Window, Msg, WParam, LParam);
  // The framework object of the window stays alive until the outermost
  // procedure of its window (this one) has returned.
  TWinControl* control = TWinControl::BeginOuterDispatch(Window);
  TMessage message{Msg, WParam, LParam, 0};
  // Copied: the method may free the object that owns this instance.
  TWndMethod method = instance.Method;
  try {
    method(message);
  } catch (...) {
    HandleCallbackException();
  }
  TWinControl::EndOuterDispatch(control);
  return message.Result;
}

template <size_t Slot> LRESULT CALLBACK InstanceProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  return CallInstance(Slot, Window, Msg, WParam, LParam);
}

template <size_t... Slots> constexpr std::array<WNDPROC, sizeof...(Slots)> MakeProcTable(std::index_sequence<Slots...>)
{
  return {&InstanceProc<Slots>...};
}
constexpr std::array<WNDPROC, kInstances> procs = MakeProcTable(std::make_index_sequence<kInstances>());
}  // namespace

WNDPROC MakeObjectInstance(TWndMethod Method)
{
  auto& table = Instances();
  for (size_t n = 0; n < kInstances; ++n) {
    size_t slot = (nextSlot + n) % kInstances;
    if (table[slot].Used) continue;
    table[slot].Used = true;
    table[slot].Method = std::move(Method);
    nextSlot = (slot + 1) % kInstances;
    return procs[slot];
  }
  return nullptr;
}

void FreeObjectInstance(WNDPROC Proc)
{
  for (size_t slot = 0; slot < kInstances; ++slot) {
    if (procs[slot] != Proc) continue;
    Instances()[slot].Used = false;
    Instances()[slot].Method = nullptr;
    return;
  }
}

int ObjectInstanceCount()
{
  int count = 0;
  for (const TInstance& instance : Instances()) count += instance.Used ? 1 : 0;
  return count;
}
