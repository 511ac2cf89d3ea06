#include "platform/plugin/StandardMessageCodec.h"

#include <unicode/utf8.h>

#include <string>
#include <type_traits>

#include "platform/plugin/CodecError.h"

namespace platform::plugin {

namespace {

using Type = StandardMessageCodec::Type;

std::string at(const ByteReader& reader) { return " at byte " + std::to_string(reader.offset()); }

bool isValidUtf8(std::span<const std::uint8_t> bytes) {
  std::int32_t length = static_cast<std::int32_t>(bytes.size());
  std::int32_t index = 0;
  while (index < length) {
    UChar32 scalar = 0;
    U8_NEXT(bytes.data(), index, length, scalar);
    if (scalar < 0) return false;
  }
  return true;
}

void writeValueAt(ByteWriter& writer, const ChannelValue& value, std::size_t depth);

template <class T>
void writeTypedList(ByteWriter& writer, Type type, const std::vector<T>& values) {
  writer.writeByte(static_cast<std::uint8_t>(type));
  writer.writeSize(values.size());
  if constexpr (std::is_same_v<T, std::uint8_t>) {
    writer.writeBytes(values);
  } else {
    writer.alignTo(sizeof(T));
    for (T element : values) {
      if constexpr (std::is_same_v<T, std::int32_t>) writer.writeInt32(element);
      if constexpr (std::is_same_v<T, std::int64_t>) writer.writeInt64(element);
      if constexpr (std::is_same_v<T, float>) writer.writeFloat32(element);
      if constexpr (std::is_same_v<T, double>) writer.writeFloat64(element);
    }
  }
}

void enterContainer(std::size_t depth) {
  if (depth >= StandardMessageCodec::maxNestingDepth) {
    throw CodecError("Cannot write a value nested deeper than " +
                     std::to_string(StandardMessageCodec::maxNestingDepth) + " levels.");
  }
}

void writeValueAt(ByteWriter& writer, const ChannelValue& value, std::size_t depth) {
  std::visit(
      [&writer, depth](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          writer.writeByte(static_cast<std::uint8_t>(Type::null));
        } else if constexpr (std::is_same_v<T, bool>) {
          writer.writeByte(static_cast<std::uint8_t>(v ? Type::trueValue : Type::falseValue));
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
          writer.writeByte(static_cast<std::uint8_t>(Type::int32));
          writer.writeInt32(v);
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          writer.writeByte(static_cast<std::uint8_t>(Type::int64));
          writer.writeInt64(v);
        } else if constexpr (std::is_same_v<T, double>) {
          writer.writeByte(static_cast<std::uint8_t>(Type::float64));
          writer.alignTo(8);
          writer.writeFloat64(v);
        } else if constexpr (std::is_same_v<T, std::string>) {
          writer.writeByte(static_cast<std::uint8_t>(Type::string));
          writer.writeSize(v.size());
          writer.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(v.data()), v.size()));
        } else if constexpr (std::is_same_v<T, ChannelValue::Bytes>) {
          writeTypedList(writer, Type::uint8List, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::Int32List>) {
          writeTypedList(writer, Type::int32List, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::Int64List>) {
          writeTypedList(writer, Type::int64List, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::Float32List>) {
          writeTypedList(writer, Type::float32List, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::Float64List>) {
          writeTypedList(writer, Type::float64List, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::List>) {
          enterContainer(depth);
          writer.writeByte(static_cast<std::uint8_t>(Type::list));
          writer.writeSize(v.size());
          for (const auto& element : v) writeValueAt(writer, element, depth + 1);
        } else if constexpr (std::is_same_v<T, ChannelValue::Map>) {
          enterContainer(depth);
          writer.writeByte(static_cast<std::uint8_t>(Type::map));
          writer.writeSize(v.size());
          for (const auto& [key, element] : v) {
            writeValueAt(writer, key, depth + 1);
            writeValueAt(writer, element, depth + 1);
          }
        }
      },
      value.storage());
}

// A typed list's count is checked against the bytes left before anything is
// allocated, so a claimed size can never reserve more than the message holds.
template <class T>
std::vector<T> readTypedList(ByteReader& reader, const char* name) {
  std::size_t count = reader.readSize();
  if (sizeof(T) > 1) reader.alignTo(sizeof(T));
  if (count > reader.remaining() / sizeof(T)) {
    throw CodecError(std::string("Message truncated") + at(reader) + ": a " + name + " of " +
                     std::to_string(count) + " elements needs " + std::to_string(count * sizeof(T)) +
                     " bytes, " + std::to_string(reader.remaining()) + " left.");
  }
  std::vector<T> values;
  values.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if constexpr (std::is_same_v<T, std::uint8_t>) values.push_back(reader.readByte());
    if constexpr (std::is_same_v<T, std::int32_t>) values.push_back(reader.readInt32());
    if constexpr (std::is_same_v<T, std::int64_t>) values.push_back(reader.readInt64());
    if constexpr (std::is_same_v<T, float>) values.push_back(reader.readFloat32());
    if constexpr (std::is_same_v<T, double>) values.push_back(reader.readFloat64());
  }
  return values;
}

// Each element takes at least one byte (each map entry two), so a count larger
// than what is left is rejected at once; elements are appended as they are read.
std::size_t readContainerCount(ByteReader& reader, std::size_t depth, std::size_t bytesPerElement,
                               const char* name) {
  std::size_t start = reader.offset() - 1;
  if (depth >= StandardMessageCodec::maxNestingDepth) {
    throw CodecError(std::string("Value nested deeper than ") +
                     std::to_string(StandardMessageCodec::maxNestingDepth) + " levels at byte " +
                     std::to_string(start) + ".");
  }
  std::size_t count = reader.readSize();
  if (count > reader.remaining() / bytesPerElement) {
    throw CodecError(std::string("Message truncated") + at(reader) + ": a " + name + " of " +
                     std::to_string(count) + " elements cannot fit in the " +
                     std::to_string(reader.remaining()) + " bytes left.");
  }
  return count;
}

ChannelValue readValueAt(ByteReader& reader, std::size_t depth, std::size_t& valuesLeft) {
  std::size_t start = reader.offset();
  if (valuesLeft == 0) {
    throw CodecError("Message holds more than " + std::to_string(StandardMessageCodec::maxValueCount) +
                     " values; the one at byte " + std::to_string(start) + " is refused.");
  }
  --valuesLeft;
  std::uint8_t type = reader.readByte();
  switch (static_cast<Type>(type)) {
    case Type::null:
      return ChannelValue();
    case Type::trueValue:
      return ChannelValue(true);
    case Type::falseValue:
      return ChannelValue(false);
    case Type::int32:
      return ChannelValue(reader.readInt32());
    case Type::int64:
      return ChannelValue(reader.readInt64());
    case Type::float64:
      reader.alignTo(8);
      return ChannelValue(reader.readFloat64());
    case Type::string:
      return ChannelValue(StandardMessageCodec::readStringPayload(reader));
    case Type::uint8List:
      return ChannelValue(readTypedList<std::uint8_t>(reader, "byte list"));
    case Type::int32List:
      return ChannelValue(readTypedList<std::int32_t>(reader, "32-bit integer list"));
    case Type::int64List:
      return ChannelValue(readTypedList<std::int64_t>(reader, "64-bit integer list"));
    case Type::float32List:
      return ChannelValue(readTypedList<float>(reader, "32-bit float list"));
    case Type::float64List:
      return ChannelValue(readTypedList<double>(reader, "64-bit float list"));
    case Type::list: {
      std::size_t count = readContainerCount(reader, depth, 1, "list");
      ChannelValue::List values;
      for (std::size_t i = 0; i < count; ++i) values.push_back(readValueAt(reader, depth + 1, valuesLeft));
      return ChannelValue(std::move(values));
    }
    case Type::map: {
      std::size_t count = readContainerCount(reader, depth, 2, "map");
      ChannelValue::Map values;
      for (std::size_t i = 0; i < count; ++i) {
        std::size_t keyOffset = reader.offset();
        ChannelValue key = readValueAt(reader, depth + 1, valuesLeft);
        ChannelValue element = readValueAt(reader, depth + 1, valuesLeft);
        if (!values.emplace(std::move(key), std::move(element)).second) {
          throw CodecError("Map at byte " + std::to_string(start) + " repeats the key at byte " +
                           std::to_string(keyOffset) + ".");
        }
      }
      return ChannelValue(std::move(values));
    }
  }
  throw CodecError("Unknown value type " + std::to_string(type) + " at byte " + std::to_string(start) + ".");
}

}  // namespace

std::vector<std::uint8_t> StandardMessageCodec::encode(const ChannelValue& value) {
  ByteWriter writer;
  writeValue(writer, value);
  return writer.take();
}

void StandardMessageCodec::requireMessageSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > maxMessageSize) {
    throw CodecError("Message of " + std::to_string(bytes.size()) + " bytes is longer than the limit of " +
                     std::to_string(maxMessageSize) + " bytes.");
  }
}

ChannelValue StandardMessageCodec::decode(std::span<const std::uint8_t> bytes) {
  requireMessageSize(bytes);
  ByteReader reader(bytes);
  ChannelValue value = readValue(reader);
  if (!reader.atEnd()) {
    throw CodecError(std::to_string(reader.remaining()) + " unexpected bytes after the value" + at(reader) +
                     ".");
  }
  return value;
}

void StandardMessageCodec::writeValue(ByteWriter& writer, const ChannelValue& value) {
  writeValueAt(writer, value, 0);
}

ChannelValue StandardMessageCodec::readValue(ByteReader& reader) {
  std::size_t valuesLeft = maxValueCount;
  return readValueAt(reader, 0, valuesLeft);
}

std::string StandardMessageCodec::readStringPayload(ByteReader& reader) {
  std::size_t start = reader.offset();
  std::size_t size = reader.readSize();
  auto bytes = reader.readBytes(size);
  if (!isValidUtf8(bytes)) {
    throw CodecError("Text at byte " + std::to_string(start) + " is not valid UTF-8.");
  }
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace platform::plugin
