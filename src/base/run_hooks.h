#pragma once
// What the long loops need of the window, as plain values and callbacks: the
// core never sees a widget.
#include <functional>
#include <stdexcept>

namespace kavero {

// The progress gauge's state; the window mirrors it whenever messages are processed.
struct Gauge {
  int maximum = 100;
  int value = 0;
  void SetMaximum(int new_maximum) {
    maximum = new_maximum < 0 ? 0 : new_maximum;
    SetValue(value);
  }
  void SetValue(int new_value) {
    value = new_value < 0 ? 0 : (new_value > maximum ? maximum : new_value);
  }
};

// Thrown out of ProcessMessages when the window is closing: the running loop ends there.
struct RunCancelled : std::runtime_error {
  RunCancelled() : std::runtime_error("cancelled") {}
};

struct RunHooks {
  Gauge* gauge = nullptr;
  // Lets the window repaint and react; may throw RunCancelled.
  std::function<void()> process_messages;

  void ProcessMessages() const {
    if (process_messages) process_messages();
  }
};

}  // namespace kavero
