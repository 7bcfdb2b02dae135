#include "app/capture_settings.h"

namespace quindle::app {

capture::CaptureOptions CaptureOptionsOf(const Settings& settings) {
  capture::CaptureOptions options;
  options.keys = settings.captureKeys;
  options.doubleAlt = settings.doubleAlt;
  options.mouse = settings.captureMouse;
  options.screenRelative = settings.relativeToScreen;
  options.windowSize = settings.captureWindowSize;
  options.timing = settings.captureTime;
  options.speed = settings.captureSpeed;
  options.prompt = settings.capturePrompt;
  options.global = settings.captureGlobal;
  return options;
}

void StoreCaptureOptions(const capture::CaptureOptions& options, Settings& settings) {
  settings.captureKeys = options.keys;
  settings.doubleAlt = options.doubleAlt;
  settings.captureMouse = options.mouse;
  settings.relativeToScreen = options.screenRelative;
  settings.captureWindowSize = options.windowSize;
  settings.captureTime = options.timing;
  settings.captureSpeed = options.speed;
  settings.capturePrompt = options.prompt;
  settings.captureGlobal = options.global;
}

}  // namespace quindle::app
