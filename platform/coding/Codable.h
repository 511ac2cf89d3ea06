#pragma once

// Everything a serializable type and its callers need.
#include "platform/coding/Decoder.h"
#include "platform/coding/DecodingError.h"
#include "platform/coding/Encoder.h"
#include "platform/coding/EncodingError.h"
#include "platform/coding/EnumCoding.h"
#include "platform/coding/FoundationCoding.h"
#include "platform/coding/JSONDecoder.h"
#include "platform/coding/JSONEncoder.h"
