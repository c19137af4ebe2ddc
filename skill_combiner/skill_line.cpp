#include "skill_combiner/skill_line.h"
