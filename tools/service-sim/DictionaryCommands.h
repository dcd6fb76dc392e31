#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DictionaryStore.h"
#include "SimCommand.h"

namespace vorla::sim {

// The user dictionaries: `getvoc`, `createvoc`, `updatevoc` and `removevoc`. Each answers a
// status and a length (only `getvoc` a payload, the stored stream); without a valid session
// -12. Statuses queued in the TranslationScript for a command are answered first.
std::span<const SimCommand> DictionaryCommands();
void RegisterDictionaryCommands(ServiceSimulator& simulator);

// The `getlexinfo` payload of an account: its two domain lists, each followed by the user's
// dictionaries of that direction as "vocid:0:voctype:vocsubtype:name;" items; session
// dictionaries are never listed.
std::string WithUserDictionaries(std::string_view lexicons,
                                 const std::vector<StoredDictionary>& dictionaries);

}  // namespace vorla::sim
