#pragma once

#include <string>

namespace keyloom {

// A per-locale service (input sets, layouts, callouts), registered under the
// locale identifier or language code it serves ("en").
class LocalizedService {
 public:
  virtual ~LocalizedService() = default;

  virtual std::string localeKey() const = 0;
};

}  // namespace keyloom
