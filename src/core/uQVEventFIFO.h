#pragma once
// The dispatcher: every change is posted here and delivered at once, synchronously, to every
// listener in registration order.

#include <cstdint>
#include <string>
#include <vector>

class TQVBaseData;

enum TQVEventKind : std::uint8_t {
  evItemAdded = 0,
  evItemRemoved = 1,
  evItemMoved = 2,
  evItemSelected = 3,
  evItemLeaving = 4,
  evParameterChanged = 5,
  evStoreNote = 6,
  evRefreshTrees = 7,
  evShowProps = 8,
  evSearchText = 9,
  evSearchNext = 10,
  evGotoItem = 11,
};

class TQVEvent {
public:
  TQVEvent(TQVEventKind Kind, TQVBaseData* Data) : Kind(Kind), Data(Data) {}
  virtual ~TQVEvent() = default;
  TQVEventKind Kind;
  // Not owned by the event.
  TQVBaseData* Data;
};

class TQVEventBool : public TQVEvent {
public:
  TQVEventBool(TQVEventKind Kind, bool Value) : TQVEvent(Kind, nullptr), Value(Value) {}
  bool Value;
};

class TQVEventSearch : public TQVEvent {
public:
  TQVEventSearch(TQVEventKind Kind, std::string Text)
      : TQVEvent(Kind, nullptr), Text(std::move(Text)) {}
  std::string Text;
};

class IEvent {
public:
  virtual ~IEvent() = default;
  // The event lives only for the call; listeners must not keep it.
  virtual void HandleEvent(TQVEvent& Event) = 0;
};

class TEventFIFO {
public:
  // Adds Listener unless it is registered already; returns its index. Throws for nullptr.
  int Register(IEvent* Listener);
  // Delivers Event to every listener unless delivery is suppressed. Re-entrant: a listener
  // may post, and that event is delivered completely before the outer delivery goes on.
  void Post(TQVEvent& Event);
  void Post(TQVEvent&& Event) { Post(Event); }
  const std::vector<IEvent*>& Listeners() const { return FListeners; }
  bool Suppressed = false;

private:
  std::vector<IEvent*> FListeners;
};

// Lives from program start to program end; nullptr before that, when nothing listens.
extern TEventFIFO* EventFIFO;

// Posts through EventFIFO when it exists.
void PostEvent(TQVEvent& Event);
inline void PostEvent(TQVEvent&& Event) {
  PostEvent(Event);
}

// Switches delivery off for a scope and back on whatever happens.
class TEventSuppression {
public:
  TEventSuppression();
  ~TEventSuppression();
  TEventSuppression(const TEventSuppression&) = delete;
  TEventSuppression& operator=(const TEventSuppression&) = delete;

private:
  bool FPrevious = false;
};
