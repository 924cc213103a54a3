#ifndef GMATH_TOOL_INPUT_H
#define GMATH_TOOL_INPUT_H

#include <cstdio>
#include <functional>
#include <string>

// Reads one value from path ("-": standardInput), in the bare-number form
// or as a dump, through read, which takes the stream and returns the
// reader's code; its code 1 means the value has tooMany (points, planes).
// Empty when the value was read and nothing follows it;
// otherwise the one-line reason, naming the input and the type.
std::string ReadInput(const std::string& path, FILE* standardInput, const std::string& type,
                      const char* tooMany, const std::function<long(FILE*)>& read);

#endif
