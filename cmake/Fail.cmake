# A test that stands for one that cannot run here: it fails with MESSAGE.
#   cmake -DMESSAGE=... -P Fail.cmake
message(FATAL_ERROR "${MESSAGE}")
