#pragma once
// The speech engine as the reader uses it: texts are queued and spoken one
// after another on the engine's own thread; nothing reports back. The
// window has one real engine; tests use a recording one.
#include <string>

namespace versilo {

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  // Queues a text after those already queued and returns at once.
  virtual void Speak(const std::u16string& text) = 0;
  // Stops the text being spoken and empties the queue.
  virtual void Purge() = 0;
  // -10 (slowest) to 10 (fastest), 0 the voice's own rate.
  virtual void SetRate(int rate) = 0;
  // 0 to 100.
  virtual void SetVolume(int volume) = 0;
};

}  // namespace versilo
