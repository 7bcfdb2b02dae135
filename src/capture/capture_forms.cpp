#include "capture/capture_forms.h"

namespace quindle::capture {

int KnownSpeed(int speed) noexcept {
  return speed >= kSpeedActual && speed <= kSpeedQuadruple ? speed : kSpeedActual;
}

CaptureEnablement EnablementOf(const CaptureOptions& options) noexcept {
  CaptureEnablement enablement;
  enablement.doubleAlt = options.keys;
  enablement.screenOrWindow = options.mouse;
  enablement.windowSize = options.mouse && !options.screenRelative;
  enablement.speeds = options.timing;
  return enablement;
}

CaptureOptions AcceptCaptureDefaults(const CaptureOptions& form) noexcept {
  CaptureOptions options = form;
  options.speed = KnownSpeed(form.speed);
  return options;
}

ScopeChoice InitialScope(const CaptureKeysRequest& request) noexcept {
  return request.forceProgram || !request.options.global ? ScopeChoice::Program
                                                         : ScopeChoice::Global;
}

CaptureKeysResult AcceptCaptureKeys(const CaptureKeysRequest& request, const CaptureOptions& form,
                                    std::string_view nickname, ScopeChoice scope) {
  CaptureKeysResult result;
  result.options = AcceptCaptureDefaults(form);
  result.nickname = std::string(nickname.substr(0, kCaptureNicknameMax));
  result.scope = request.forceProgram ? ScopeChoice::Program : scope;
  return result;
}

}  // namespace quindle::capture
