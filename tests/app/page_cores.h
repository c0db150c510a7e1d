// Each original page's calculation called straight on the core, from the texts of the page's boxes by object name
// and its checked option buttons ("1" under the option's name): what the page must show for those texts. The
// wiring and property tests compare the window with these.
#pragma once

#include "window_test_support.h"

namespace vxr::test {

std::optional<std::vector<std::string>> pipeDiameterCore(const Texts& t);
std::optional<std::vector<std::string>> frictionCore(const Texts& t);
std::optional<std::vector<std::string>> pumpCore(const Texts& t);
std::optional<std::vector<std::string>> convectionCore(const Texts& t);
std::optional<std::vector<std::string>> condensationCore(const Texts& t);

}  // namespace vxr::test
