# A test that stands for one that cannot run here: it fails with MESSAGE.
#   cmake -DMESSAGE=... -P fail_with_message.cmake
message(FATAL_ERROR "${MESSAGE}")
