// "gele_tout" and "libere_tout": freeze every layer that the road drawing does
// not need, thaw every layer outside the road's own naming scheme.
#pragma once
#include <cstdint>

struct resbuf;

namespace road {

resbuf* geleTout(int32_t);    // "gele_tout"
resbuf* libereTout(int32_t);  // "libere_tout"

}  // namespace road
