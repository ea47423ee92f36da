// The --state dump: one JSON object of the main globals, written however the
// run ends. Subsystems add their own values by name.
#pragma once

#include <string>

using StateValueFn = double (*)();
int RegisterStateValue(const char* name, StateValueFn fn);
std::string StateJson();
bool WriteStateFile(const std::string& path);

#define BOINGLE_STATE_VALUE(name, expr) \
  static const int boingle_state_##name = RegisterStateValue(#name, [] { return static_cast<double>(expr); })
