#pragma once

int s32Upper();
