#include "pluginabi.h"

namespace plugin {
Resolver resolver;
}
