@echo %~1>> C:\tessaly-test\opened-urls.txt
