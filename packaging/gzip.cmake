# cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P gzip.cmake: compresses at the highest level without
# a name or time in the header, so the same input always gives the same bytes.
execute_process(COMMAND gzip -9 -n -c ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip could not compress ${INPUT}")
endif()
