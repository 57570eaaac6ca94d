% State equations of series_rlc
% dp3/dt = -R*p3/I + Se - q6/C
% dq6/dt = p3/I
% 9scope/1 (scope) = q6/C
A = [-100, -1000;
     10, 0];
B = [1;
     0];
C = [0, 1000];
D = [0];
sys = ss(A, B, C, D, 'StateName', {'p3'; 'q6'}, 'InputName', {'Se'}, 'OutputName', {'9scope/1 (scope)'});
