#pragma once

int s32Lower();
