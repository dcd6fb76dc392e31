#pragma once

#include <array>
#include <cstdint>

namespace vorla {

class TranslatorState;

// The 19 integers that follow status 0 of a `chkrauth` answer.
using LoginAnswerBlock = std::array<std::int32_t, 19>;

// Applies a successful login answer: the user id and the two account values to the state,
// the account's limits and the time-outs within their bounds to the configuration, the pair
// bits, the account type and quota, and the English-Finnish engine version ("EnFiEngInf1",
// "EnFiEngInf2") to the settings.
void ApplyLoginAnswer(const LoginAnswerBlock& block, TranslatorState& state);

}  // namespace vorla
