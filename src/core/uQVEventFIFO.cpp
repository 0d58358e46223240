#include "core/uQVEventFIFO.h"

#include "core/uQVError.h"

#include <algorithm>

TEventFIFO* EventFIFO = nullptr;

int TEventFIFO::Register(IEvent* Listener) {
  if (!Listener) throw EQVError("No IEvent-Interface");
  auto found = std::find(FListeners.begin(), FListeners.end(), Listener);
  if (found != FListeners.end()) return static_cast<int>(found - FListeners.begin());
  FListeners.push_back(Listener);
  return static_cast<int>(FListeners.size()) - 1;
}

void TEventFIFO::Post(TQVEvent& Event) {
  if (Suppressed) return;
  // The count is taken once: a listener registered during delivery hears the next event.
  const std::size_t count = FListeners.size();
  for (std::size_t i = 0; i < count && i < FListeners.size(); ++i)
    FListeners[i]->HandleEvent(Event);
}

void PostEvent(TQVEvent& Event) {
  if (EventFIFO) EventFIFO->Post(Event);
}

TEventSuppression::TEventSuppression() {
  if (EventFIFO) {
    FPrevious = EventFIFO->Suppressed;
    EventFIFO->Suppressed = true;
  }
}

TEventSuppression::~TEventSuppression() {
  if (EventFIFO) EventFIFO->Suppressed = FPrevious;
}
