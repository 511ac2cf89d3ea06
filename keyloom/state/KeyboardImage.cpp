#include "keyloom/state/KeyboardImage.h"

namespace keyloom {

std::ostream& operator<<(std::ostream& out, const KeyboardImage& image) {
  switch (image.source()) {
    case KeyboardImage::Source::systemSymbol:
      return out << "symbol(" << image.name() << ")";
    case KeyboardImage::Source::mainBundle:
      return out << "mainAsset(" << image.name() << ")";
    case KeyboardImage::Source::libraryBundle:
      return out << "libraryAsset(" << image.name() << ")";
  }
  return out;
}

}  // namespace keyloom
