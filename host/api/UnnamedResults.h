// The results the contract leaves open (of cursor moves, writes, deletes, activation, selection and
// update brackets, and the flags of the path functions): a host may return anything there, so the
// host can answer them as another host would, while every call still does its work. Process-wide,
// like fault injection.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

enum class UnnamedResultMode {
  Natural,  // what the call did: nonzero for done
  Zero,     // a host whose functions report nothing
  One,
  Random,  // arbitrary 16-bit values from a fixed seed
};

struct UnnamedResults {
  UnnamedResultMode mode = UnnamedResultMode::Natural;
  std::uint32_t seed = 1;
};

// "natural", "zero", "one", "random" or "random:SEED"; nullopt for anything else.
std::optional<UnnamedResults> parseUnnamedResults(std::string_view text);
// The environment's TOLVAR_UNNAMED_RESULTS (natural when unset); throws HostError when malformed.
UnnamedResults unnamedResultsFromEnvironment();
// Random mode starts again from its seed.
void setUnnamedResults(const UnnamedResults& setting);
UnnamedResults currentUnnamedResults();
// "natural", "zero", "one" or "random:SEED", as parseUnnamedResults reads it.
std::string describe(const UnnamedResults& setting);

// What a function whose result the contract leaves open returns, given what it did.
std::int16_t unnamedResult(std::int16_t natural);

}  // namespace host
