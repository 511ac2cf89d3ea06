#pragma once

// Everything a view needs, in one include (rendering is in Renderer.h).
#include "platform/ui/BodyContext.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/DragGesture.h"
#include "platform/ui/Layout.h"
#include "platform/ui/LongPressGesture.h"
#include "platform/ui/Node.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/State.h"
#include "platform/ui/TapGesture.h"
#include "platform/ui/TouchPipeline.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewHost.h"
