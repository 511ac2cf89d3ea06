#include "keyloom/state/KeyboardCase.h"

#include "keyloom/state/KeyboardImageReader.h"

namespace keyloom {

bool isUppercased(KeyboardCase casing) {
  return casing == KeyboardCase::capsLocked || casing == KeyboardCase::uppercased;
}

bool isLowercased(KeyboardCase casing) { return casing == KeyboardCase::lowercased; }

KeyboardImage standardButtonImage(KeyboardCase casing) {
  switch (casing) {
    case KeyboardCase::capsLocked:
      return KeyboardImageReader::keyboardShiftCapslocked();
    case KeyboardCase::uppercased:
      return KeyboardImageReader::keyboardShiftUppercased();
    case KeyboardCase::auto_:
    case KeyboardCase::lowercased:
      break;
  }
  return KeyboardImageReader::keyboardShiftLowercased();
}

}  // namespace keyloom
