#pragma once
// System error numbers in messages: a number alone tells a user nothing.
#include <string>

namespace orvo {

// The error's description and its number, "Resource temporarily unavailable
// (11)"; a number the system has no description for gives "Unknown error
// (N)". The description is the system's English one, as the messages
// around it are.
std::string errorText(int error);

}  // namespace orvo
