#pragma once
// Why the change list could not be read or updated, in the words both faces tell the user for
// the same situation.
#include <string>

namespace aggregate::platform::changelist {

std::string inUse();
std::string writeProtected();
std::string readProtected();
std::string missing();
std::string notDbase();
// An error of the operating system without words of our own.
std::string notOpened(long systemError);
// The damage of a file cut short: its header claims more records than it holds. Empty when the
// file holds every record it claims.
std::string cutShort(long long claimedRecords, long long headerLength, long long recordLength,
                     long long fileSize);

}  // namespace aggregate::platform::changelist
