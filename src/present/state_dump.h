// The --state dump: one JSON object of the main globals, written however the
// run ends. Subsystems add their own values by name: a number, or any JSON
// value they write themselves (a list, an object).
#pragma once

#include <string>

using StateValueFn = double (*)();
int RegisterStateValue(const char* name, StateValueFn fn);
// `fn` returns the value as JSON text, written into the dump as it stands.
using StateJsonFn = std::string (*)();
int RegisterStateJson(const char* name, StateJsonFn fn);
std::string StateJson();
bool WriteStateFile(const std::string& path);

#define BOINGLE_STATE_VALUE(name, expr) \
  static const int boingle_state_##name = RegisterStateValue(#name, [] { return static_cast<double>(expr); })
// `expr` is an expression of type std::string holding JSON text.
#define BOINGLE_STATE_JSON(name, expr) \
  static const int boingle_state_##name = RegisterStateJson(#name, []() -> std::string { return expr; })
