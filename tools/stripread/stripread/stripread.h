#pragma once

// Everything needed to decode code strips from a screenshot or a canvas.
#include "stripread/image.h"
#include "stripread/loaders.h"
#include "stripread/strip.h"
