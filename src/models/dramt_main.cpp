#include "models/dram_program.h"
#include "models/model_program.h"

int main() { return forecast::models::ModelProgramMain("DRAMT", forecast::models::RunDramProgram); }
