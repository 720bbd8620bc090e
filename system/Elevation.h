#pragma once

// True when the process runs with a full administrator token (elevated).
bool RunsElevated();
