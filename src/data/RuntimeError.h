// Run-time errors: the error numbers and descriptions the calculation and the files report.
#pragma once

#include <stdexcept>
#include <string>

namespace voro {

// Error numbers of the runtime and of the application.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int UserInterrupt = 18;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int IncompleteFile = 1000;
constexpr int BadGeometry = 1001;
constexpr int AssemblyFailed = 1002;
constexpr int CalculationFailed = 1003;
constexpr int ImpossibleValue = 1004;  // a physically impossible input value
constexpr int DialogCancelled = 32755;
}  // namespace err

// The standard description of an error number ("Division by zero" for 11).
std::string errorDescription(int number);

// A run-time error with its number and description; every layer that traps
// errors catches this type.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number);
  RuntimeError(int number, const std::string& description);

  int number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }

 private:
  int number_;
  std::string description_;
};

}  // namespace voro
