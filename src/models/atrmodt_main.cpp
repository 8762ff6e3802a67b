#include "models/atrmod_program.h"
#include "models/model_program.h"

int main() { return forecast::models::ModelProgramMain("ATRMODT", forecast::models::RunAtrmodProgram); }
