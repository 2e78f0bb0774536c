// Descriptions of the run-time and application error numbers, translated
// where they are shown.
#include "data/RuntimeError.h"

#include "data/Traduzioni.h"

namespace voro {

std::string errorDescription(int number) {
  switch (number) {
    case err::InvalidCall: return VORO_NOOP("Voro", "Invalid procedure call or argument");
    case err::Overflow: return VORO_NOOP("Voro", "Overflow");
    case err::OutOfMemory: return VORO_NOOP("Voro", "Out of memory");
    case err::SubscriptOutOfRange: return VORO_NOOP("Voro", "Subscript out of range");
    case err::UserInterrupt: return VORO_NOOP("Voro", "User interrupt occurred");
    case err::DivisionByZero: return VORO_NOOP("Voro", "Division by zero");
    case err::TypeMismatch: return VORO_NOOP("Voro", "Type mismatch");
    case err::BadFileName: return VORO_NOOP("Voro", "Bad file name or number");
    case err::FileNotFound: return VORO_NOOP("Voro", "File not found");
    case err::DiskFull: return VORO_NOOP("Voro", "Disk full");
    case err::InputPastEnd: return VORO_NOOP("Voro", "Input past end of file");
    case err::PermissionDenied: return VORO_NOOP("Voro", "Permission denied");
    case err::PathFileAccess: return VORO_NOOP("Voro", "Path/File access error");
    case err::PathNotFound: return VORO_NOOP("Voro", "Path not found");
    case err::IncompleteFile: return VORO_NOOP("Voro", "File di dati incompleto o non valido");
    case err::BadGeometry: return VORO_NOOP("Voro", "Dati della geometria non validi");
    case err::AssemblyFailed: return VORO_NOOP("Voro", "Impossibile costruire il modello dell'arco");
    case err::CalculationFailed: return VORO_NOOP("Voro", "Il calcolo non si è concluso");
    case err::ImpossibleValue: return VORO_NOOP("Voro", "Valore fisicamente impossibile");
    case err::DialogCancelled: return VORO_NOOP("Voro", "Cancel was selected.");
    default: return VORO_NOOP("Voro", "Application-defined or object-defined error");
  }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

}  // namespace voro
