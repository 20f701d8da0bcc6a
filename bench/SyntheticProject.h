#pragma once
// Synthetic projects for the benchmarks: any number of fields, every field
// kind in turn, every field mandatory, every other one remembered in a
// cookie, calendar fields and the captcha on.

#include "model/Project.h"

// A project with fieldCount fields in layout (0 standard, 1 Bootstrap).
TProject MakeSyntheticProject(int fieldCount, int layout);
