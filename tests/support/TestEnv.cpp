#include "support/TestEnv.h"
