#include "models/impd_program.h"
#include "models/model_program.h"

int main() { return forecast::models::ModelProgramMain("IMPD", forecast::models::RunImpdProgram); }
