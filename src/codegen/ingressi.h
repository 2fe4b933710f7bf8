#pragma once

// The generator and the simulator read the robot's inputs from the model's one table.
#include "model/ingressi.h"
