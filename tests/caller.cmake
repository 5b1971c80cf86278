# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a bare twin project.
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare)
file(WRITE ${BINARY}-bare/CMakeLists.txt
	"cmake_minimum_required(VERSION 3.25)\nproject(verdicts LANGUAGES CXX)\n")
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_EXPORT_COMPILE_COMMANDS=OFF -DBRACKETS_BENCHMARKS=ON
	-DBRACKETS_SANITIZE=ON -DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)
execute_process(COMMAND ${CMAKE_COMMAND} -S ${BINARY}-bare -B ${BINARY}-bare
	${alike} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -B ${BINARY} ${alike}
	-S ${CMAKE_CURRENT_LIST_DIR}/../examples ERROR_VARIABLE warnings
	ECHO_ERROR_VARIABLE COMMAND_ERROR_IS_FATAL ANY)
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()
# The caller's cache is the twin's, but for the values of internal entries.
file(STRINGS ${BINARY}/CMakeCache.txt entries REGEX "^[A-Za-z_]")
file(STRINGS ${BINARY}-bare/CMakeCache.txt bare REGEX "^[A-Za-z_]")
list(TRANSFORM entries REPLACE ":(INTERNAL|STATIC)=.*" "")
list(TRANSFORM bare REPLACE ":(INTERNAL|STATIC)=.*" "")
set(added ${entries})
list(REMOVE_ITEM added ${bare})
list(REMOVE_ITEM bare ${entries})
if(added OR bare)
	message(SEND_ERROR "brackets set ${added}, unset ${bare} in the cache")
endif()
if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} -- -t commands
	OUTPUT_VARIABLE all COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} --target verdicts
	-- -t commands OUTPUT_VARIABLE needed COMMAND_ERROR_IS_FATAL ANY)
if(NOT all STREQUAL needed)
	message(SEND_ERROR "the build makes more than verdicts needs:\n${all}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY}
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY}
	--prefix ${BINARY}/installed COMMAND_ERROR_IS_FATAL ANY)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()
execute_process(COMMAND ${BINARY}/verdicts "{[()]}" "(]" "(a"
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT printed STREQUAL "{[()]}: true, depth 3\n(]: false\n(a: true, depth 1\n")
	message(SEND_ERROR "the caller printed:\n${printed}")
endif()
