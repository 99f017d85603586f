#pragma once

int s32LowerPart();
