#pragma once
#include <cstdint>
#include <string>

namespace Framework {

// A message systems and components receive. Ids: 1 quit, 3/4 debug view
// on/off, 5/6 viewport to monitor/window size, 9 stop moving (components).
class Message {
 public:
  explicit Message(int messageId = 0, std::string messageText = "")
      : id(messageId), text(std::move(messageText)) {}
  virtual ~Message() = default;
  int id;
  std::string text;
};

enum MessageId { MSG_QUIT = 1, MSG_DEBUG_ON = 3, MSG_DEBUG_OFF = 4, MSG_VIEWPORT_MONITOR = 5,
                 MSG_VIEWPORT_WINDOW = 6, MSG_STOP_MOVING = 9 };

// Base of every system. A system that keeps its own timing uses the tick
// fields: BeginTiming() at the start of Update, EndTiming() at the end.
class System {
 public:
  System();
  virtual std::string GetName() = 0;
  virtual void Update(float dt) = 0;
  virtual void SendMessage(Message* message);
  virtual void Initialize() {}
  virtual ~System() = default;
  // Releases what the system holds (objects, GL resources, devices) at the
  // end of main, in reverse registration order, so no static destructor
  // reaches into another system after it is gone.
  virtual void Shutdown() {}

  float dt = 0.0f;
  uint64_t previousTicks = 0;
  uint64_t currentTicks = 0;
  bool debug = false;

 protected:
  void BeginTiming() { previousTicks = currentTicks; }
  void EndTiming();
};

}  // namespace Framework
